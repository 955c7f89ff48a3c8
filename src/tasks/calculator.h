#pragma once
#include <QObject>
#include <QStringList>

// The desktop's calculator for "Калькулятор" of the task window: the first of
// the known calculator programs found on the PATH. One that is running
// already is brought forward rather than started again.
namespace tasks {

inline const QString kNoCalculatorText =
    QStringLiteral("Калькулятор не найден. Установите программу galculator (или gnome-calculator, kcalc, xcalc).");

class DesktopCalculator : public QObject {
    Q_OBJECT
public:
    explicit DesktopCalculator(QObject* parent = nullptr);

    // Programs tried in order (names looked up on the PATH).
    static const QStringList& KnownPrograms();
    // The program that would be started; empty when none is installed.
    static QString FindProgram();

    // Brings a running calculator forward or starts one. False, after a
    // message, when no calculator is installed or it cannot be started.
    bool Show();
    bool IsRunning() const;

private:
    bool bringForward(const QString& program) const;

    qint64 m_pid = 0; // of the calculator started last
};

} // namespace tasks
