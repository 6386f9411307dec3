#include "startup/single_instance.h"
#include "ui/cursor_guard.h"
#include "ui/wait_window.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <stdexcept>

using namespace vexo;

TEST(SingleInstance, ASecondStartWakesTheFirstAndGoesAway) {
    const QString key = "vexo-test-" + QString::number(QCoreApplication::applicationPid());
    startup::SingleInstance first(key);
    startup::SingleInstance second(key);
    EXPECT_FALSE(first.activateRunningCopy());  // nobody there yet
    first.listen();
    QSignalSpy woken(&first, &startup::SingleInstance::activationRequested);
    EXPECT_TRUE(second.activateRunningCopy());
    EXPECT_TRUE(woken.wait(2000));
}

TEST(HourglassCursor, RestoredOnEveryWayOut) {
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    try {
        ui::HourglassCursor outer;
        {
            ui::HourglassCursor inner;
            EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        }
        EXPECT_NE(QGuiApplication::overrideCursor(), nullptr);
        throw std::runtime_error("a failed action");
    } catch (const std::runtime_error&) {
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitWindow, OneAtATimeWithItsText) {
    EXPECT_EQ(ui::WaitWindow::current(), nullptr);
    {
        ui::WaitWindow first;
        EXPECT_EQ(first.text(), "Идет установка программы \"Ривента\".  Ждите...");
        ui::WaitWindow second(QStringLiteral("Идет обновление программы.    Ждите..."));
        EXPECT_EQ(ui::WaitWindow::current(), &second);
        EXPECT_FALSE(first.isVisible());
        EXPECT_EQ(second.size(), QSize(400, 51));
    }
    EXPECT_EQ(ui::WaitWindow::current(), nullptr);
}
