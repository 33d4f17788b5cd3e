#include <gtest/gtest.h>
#include "record/product_record.h"
TEST(ProductTable, Placeholder) {}
