// Turns one row of the control table into a Qt widget with its content and
// look; the form places it.
#pragma once

#include "window/control_table.h"

class QWidget;
class TLayoutScale;

QWidget* BuildControl(const ControlRow& entry, const TLayoutScale& scale, QWidget* form);
