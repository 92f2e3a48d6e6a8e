#pragma once

#include <QApplication>

#include "adapter.h"

namespace orvanta::platform {

// Catches what escapes an event handler and reports it as a run-time error
// (forms::ReportRunTimeError), which ends the program.
class GuardedApplication final : public QApplication
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GuardedApplication)

public:
    GuardedApplication(int &argc, char **argv);

    bool notify(QObject *receiver, QEvent *event) override;
};

static_assert(forms::GuardedApplicationLike<GuardedApplication>);

} // namespace orvanta::platform
