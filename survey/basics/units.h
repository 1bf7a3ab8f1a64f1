/* units.h - amounts in named length, area, volume, mass and force units converted
 * into SI units (metres, square metres, cubic metres, kilograms, newtons), the
 * reverse conversion, and temperatures.
 *
 * The factors are the traditional rounded ones of Japanese survey practice (an inch
 * is 25.399 mm, a foot 304.794 mm, gravity 9.8 m/s^2); they are not the
 * international definitions.
 */
#ifndef SURVEY_BASICS_UNITS_H
#define SURVEY_BASICS_UNITS_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* 0.01 raised to p: metres per centimetre (p = 1), m^2 per cm^2 (2), m^3 per cm^3 (3). */
SURVEY_API double SURVEY_CALL CM(double p);
/* 0.001 raised to p: metres per millimetre (p = 1) and its powers. */
SURVEY_API double SURVEY_CALL MM(double p);

/* Lengths into metres. */
SURVEY_API double SURVEY_CALL INCH(double v);  /* 25.399 mm */
SURVEY_API double SURVEY_CALL FEET(double v);  /* 304.794 mm */
SURVEY_API double SURVEY_CALL YARD(double v);  /* 914.383 mm */
SURVEY_API double SURVEY_CALL MILE(double v);  /* 1609310 mm */
SURVEY_API double SURVEY_CALL SUN(double v);   /* sun, 1/33 m */
SURVEY_API double SURVEY_CALL SHAKU(double v); /* shaku, 10/33 m */
SURVEY_API double SURVEY_CALL KEN(double v);   /* ken, 6 shaku */
SURVEY_API double SURVEY_CALL CHOU(double v);  /* cho (length), 60 ken */
SURVEY_API double SURVEY_CALL KAIRI(double v); /* nautical mile, 1852 m */
SURVEY_API double SURVEY_CALL RI(double v);    /* ri, 36 cho */

/* Areas into square metres. */
SURVEY_API double SURVEY_CALL ARE(double v);
SURVEY_API double SURVEY_CALL HECTARE(double v);
SURVEY_API double SURVEY_CALL ACRE(double v);    /* 4046.87 m^2 */
SURVEY_API double SURVEY_CALL TUBO(double v);    /* tsubo, 3.305785 m^2 */
SURVEY_API double SURVEY_CALL TANBU(double v);   /* tanbu, 991.736 m^2 */
SURVEY_API double SURVEY_CALL CHOBU(double v);   /* chobu, 9917.36 m^2 */

/* Volumes into cubic metres. */
SURVEY_API double SURVEY_CALL ML(double v);
SURVEY_API double SURVEY_CALL LITTER(double v); /* litre */
SURVEY_API double SURVEY_CALL GALLON(double v); /* US gallon, 3785.43 cm^3 */
SURVEY_API double SURVEY_CALL BARREL(double v); /* 158988 cm^3 */
SURVEY_API double SURVEY_CALL GOU(double v);    /* go, 180.391 cm^3 */
SURVEY_API double SURVEY_CALL SHOU(double v);   /* sho, 10 go */
SURVEY_API double SURVEY_CALL TOU(double v);    /* to, 10 sho */
SURVEY_API double SURVEY_CALL KOKU(double v);   /* koku, 10 to */

/* Masses into kilograms. */
SURVEY_API double SURVEY_CALL OUNCE(double v); /* 28.35 g */
SURVEY_API double SURVEY_CALL POUND(double v); /* 453.59 g */
SURVEY_API double SURVEY_CALL CARAT(double v); /* 0.2 g */
SURVEY_API double SURVEY_CALL MONME(double v); /* monme, 3.75 g */
SURVEY_API double SURVEY_CALL KIN(double v);   /* kin, 600 g */
SURVEY_API double SURVEY_CALL KAN(double v);   /* kan, 3750 g */

/* Forces into newtons (gravity 9.8 m/s^2). */
SURVEY_API double SURVEY_CALL GF(double v);
SURVEY_API double SURVEY_CALL KGF(double v);
SURVEY_API double SURVEY_CALL TF(double v);

/* An SI amount v in the unit of which one is per_unit SI units: v / per_unit;
 * 0.0 when per_unit is 0. */
SURVEY_API double SURVEY_CALL unit_conv(double v, double per_unit);

/* Celsius to Fahrenheit, Fahrenheit to Celsius, Celsius to kelvin, kelvin to Celsius. */
SURVEY_API double SURVEY_CALL c2f(double c);
SURVEY_API double SURVEY_CALL f2c(double f);
SURVEY_API double SURVEY_CALL c2k(double c);
SURVEY_API double SURVEY_CALL k2c(double k);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_UNITS_H */
