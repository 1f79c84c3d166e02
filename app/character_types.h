#pragma once

// The archive library turns entry names into the locale's multi-byte
// encoding; under a C or POSIX locale it cuts them at the first non-ASCII
// character and the files would be written under the cut names. Where the C
// library's character type is not UTF-8, it becomes C.UTF-8.
void useUtf8CharacterTypes();
