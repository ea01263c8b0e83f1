#pragma once

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace rv::test {

/// The visible top-level window named `name`, or nullptr.
template <class T = QWidget> T* TopLevel(const char* name) {
    for (auto* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name) && w->isVisible()) return qobject_cast<T*>(w);
    return nullptr;
}

/// The child of `in` named `name`; the test fails when there is none.
template <class T> T* Child(QObject* in, const char* name) {
    auto* w = in->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
}

} // namespace rv::test
