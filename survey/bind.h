/* bind.h - binding library functions by name. */
#ifndef SURVEY_BIND_H
#define SURVEY_BIND_H

#include "survey_api.h"

SURVEY_BEGIN_DECLS

/* Address of the exported function called `name` (every name of the export list,
 * stdcall-decorated ones such as "_Wcalcb@16" and runtime-colliding ones such as
 * "round" included), or NULL for an unknown name. Cast it to the function's type. */
SURVEY_API void* survey_bind(const char* name);

SURVEY_END_DECLS

#endif /* SURVEY_BIND_H */
