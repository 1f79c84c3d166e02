#include "app/character_types.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>

void useUtf8CharacterTypes()
{
    std::setlocale(LC_CTYPE, "");
    if (std::strcmp(nl_langinfo(CODESET), "UTF-8") != 0)
        std::setlocale(LC_CTYPE, "C.UTF-8");
}
