// The designed controls as the window core states them, so that the test
// compares what the program shows with the same rows it was built from.
#pragma once

#include "tests/wine/probe/json.h"

// {"controls": [{"name", "kind", "rect", "text", "items", "tab"}, ...]} in
// creation order.
json::Text DescribeDesign();
