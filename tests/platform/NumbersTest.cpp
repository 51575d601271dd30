#include "platform/Numbers.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>
