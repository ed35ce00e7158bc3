#include "lang/translated_string.h"

#include "lang/vx_trans.h"
#include "shell/string_table.h"

std::string LoadTranslatedString(int number) { return CVxTrans().Translated(LoadStringText(number)); }
