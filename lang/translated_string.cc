#include "lang/translated_string.h"

#include "lang/vx_trans.h"
#include "vocabulary/string_table.h"

std::string LoadTranslatedString(int number) { return CVxTrans().Translated(LoadStringText(number)); }
