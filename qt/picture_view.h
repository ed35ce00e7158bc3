// The widget of a picture window (the counting diagram): it shows the
// model's last picture, and when it changes size it moves the model's window
// to its own size and has it paint again.
#pragma once

#include <QWidget>

#include "ui/picture_window.h"

QWidget* MakePictureView(CPictureWindow& model, QWidget* parent);
