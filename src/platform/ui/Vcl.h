// VCL-like controls, canvas and application object over Qt Widgets.
// Everything here is for the GUI thread only.
#pragma once

#include "platform/ui/Application.h"
#include "platform/ui/Canvas.h"
#include "platform/ui/Colors.h"
#include "platform/ui/Controls.h"
#include "platform/ui/Conversions.h"
