#pragma once
// Clicks on real widgets as a child's, one at a time.
#include <QTest>

namespace testing_support {

// QTest stamps a click's press 500 ms after the click before (1 ms after a press alone), which the
// program takes for one burst of quick clicks: a press that lands in another window than the burst's
// first would do nothing. These come long enough after whatever came before to be a click of
// their own.
inline constexpr int kPauseMs = 700;

inline void clickAlone(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = {}) {
    QTest::mouseClick(w, button, {}, at, kPauseMs);
}

inline void pressAlone(QWidget* w) {
    QTest::mousePress(w, Qt::LeftButton, {}, {}, kPauseMs);
}

} // namespace testing_support
