/* system.h - folders of the system and the user, the system's family, and
 * placing, sizing and showing windows and the mouse pointer.
 *
 * Folder results are new BSTRs holding the whole path in the system's bytes.
 * Window handles are 32-bit: HWNDs on Windows, X window ids on Linux, where the
 * window functions reach the X display named by DISPLAY and do nothing, returning
 * 0, when there is none. Screen width and height are the primary screen's (the
 * root window's on Linux).
 */
#ifndef SURVEY_BASICS_SYSTEM_H
#define SURVEY_BASICS_SYSTEM_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* The Windows folder and the system folder, without a trailing separator; "" when
 * the system has none (always on Linux). */
SURVEY_API BSTR SURVEY_CALL WinDir(void);
SURVEY_API BSTR SURVEY_CALL SysDir(void);
/* The temporary folder with its trailing separator ($TMPDIR or /tmp on Linux). */
SURVEY_API BSTR SURVEY_CALL TempPath(void);
/* The user's documents / desktop folder (not created) with one separator appended;
 * on Linux as xdg-user-dir DOCUMENTS / DESKTOP resolves them. */
SURVEY_API BSTR SURVEY_CALL MyDocPath(void);
SURVEY_API BSTR SURVEY_CALL MyDeskPath(void);
/* The current folder with one separator appended (a root ends in two). */
SURVEY_API BSTR SURVEY_CALL GetCurDir(void);
/* -1 for the NT family (and Linux); 98 or 95 for the older Windows family. */
SURVEY_API int16_t SURVEY_CALL Get_OSKind(void);

/* Width and height of the desktop window into *w, *h (unchanged when there is no
 * desktop). Returns non-zero on success, 0 otherwise. */
SURVEY_API int32_t SURVEY_CALL screen_resolution(int32_t* w, int32_t* h);
/* Centres the window on the screen keeping its size (halves truncated), then sets
 * its caption to title (Shift_JIS). Returns the last system call's result, 0 when
 * nothing was done. */
SURVEY_API int32_t SURVEY_CALL centering(uint32_t hwnd, const char* title);
/* Only for 0 < fw <= 1 and 0 < fh <= 1: sizes the window to the screen's width x fw
 * by height x fh (truncated), centres it and sets its caption; otherwise returns 0. */
SURVEY_API int32_t SURVEY_CALL centeringWH(uint32_t hwnd, double fw, double fh, const char* title);
/* Mode 1 shows the window normally, 2 minimised, 3 maximised; others return 0. */
SURVEY_API int32_t SURVEY_CALL show_window(uint32_t hwnd, int16_t mode);
/* Puts the pointer on the window's rectangle: 1 top-left, 2 top-right, 3
 * bottom-right, 4 bottom-left, 5 centre; others return 0. */
SURVEY_API int32_t SURVEY_CALL MouseMove(uint32_t hwnd, int16_t where);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_SYSTEM_H */
