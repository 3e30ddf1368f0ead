// The null rule of the exports, checked in bulk: an export called with a
// null handle (and zero for its other arguments) does nothing, and a query
// answers its zero value. A test file may add an overload of
// zv_expect_zero_on_null for a result type without operator== (found by
// argument-dependent lookup, so it must not be in an unnamed namespace).
#pragma once

#include <gtest/gtest.h>

template <class R, class H, class... A>
void zv_call_on_null(R (*op)(H*, A...)) {
  static_cast<void>(op(nullptr, A{}...));
}

template <class R, class H, class... A>
void zv_expect_zero_on_null(R (*query)(H*, A...), int index) {
  EXPECT_EQ(query(nullptr, A{}...), R{}) << "query " << index << " of the list";
}

template <class... Op>
void zv_call_each_on_null(Op... op) {
  (zv_call_on_null(op), ...);
}

template <class... Query>
void zv_expect_each_zero_on_null(Query... query) {
  int index = 0;
  (zv_expect_zero_on_null(query, index++), ...);
}
