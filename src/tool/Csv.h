#pragma once

// The tool writes its CSV through the report layer's writer, the same one the
// statistics window exports with.
#include "report/CsvWriter.h"
