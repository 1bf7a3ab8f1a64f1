/* files.h - file search, line counting and free space. */
#ifndef SURVEY_BASICS_FILES_H
#define SURVEY_BASICS_FILES_H

#include "../survey_api.h"

SURVEY_BEGIN_DECLS

/* Searches for a file or folder matching path (wildcards * and ?, letter case
 * ignored as on the file systems of the original platform; relative to the current
 * folder unless absolute). Returns -1 when nothing matches, otherwise a non-negative
 * number (the search is closed before returning). */
SURVEY_API int32_t SURVEY_CALL find_file(const char* path);
/* Number of lines of a text file read in pieces of at most 255 characters (a longer
 * line counts once per piece); 0 when the file cannot be opened or is empty. */
SURVEY_API int32_t SURVEY_CALL FDataCount(const char* path);
/* Free bytes on a drive, wrapped to 32 bits; -1 when the drive cannot be queried.
 * Drive 0 is the current folder's file system. On Linux, 3 (C:) is the root file
 * system, 4 (D:) to 26 (Z:) are the mounted volumes under /media, /mnt and
 * /run/media in the order of their mount points, and 1 and 2 never answer. */
SURVEY_API int32_t SURVEY_CALL remain(int16_t drive);

SURVEY_END_DECLS

#endif /* SURVEY_BASICS_FILES_H */
