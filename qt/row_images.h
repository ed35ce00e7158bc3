// The small images of the list's rows, drawn here: a green play triangle
// (0, the row can be played), an amber pause mark (1) and a grey triangle
// struck through (2, the row cannot be played), each `imageWidth` pixels
// square.  A list without images gets none.
#pragma once

#include <QIcon>
#include <vector>

#include "ui/log_list_ctrl.h"

std::vector<QIcon> RowImages(const CListImages& images);
