// The numbered user-interface texts as the user sees them: the English text
// of the string table passed through the process's language pack.
#pragma once

#include <string>

// The translated text of string `number`; "" for a number the table lacks.
std::string LoadTranslatedString(int number);
