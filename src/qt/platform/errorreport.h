#pragma once

#include <QApplication>

namespace orvanta::platform {

// The program does not expect its handlers to fail. If one throws anyway,
// the user is told what went wrong in an error box, and the program ends
// with a non-zero exit code instead of vanishing or running on in an unknown
// state.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedApplication)

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;

    static constexpr int RunTimeErrorExitCode = 70;
};

// Reports a failure that nothing handled and ends the program.
void ReportRunTimeError(const QString &description);

} // namespace orvanta::platform
