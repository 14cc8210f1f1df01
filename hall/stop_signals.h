#pragma once

#include <QObject>

class QSocketNotifier;

namespace krugovik {

// Ctrl+C and SIGTERM as an event of the event loop: the signals are blocked for the whole
// process and read from a descriptor, so that no handler runs in the middle of anything.
// blockStopSignals must run before any thread starts, so that every thread inherits it.
void blockStopSignals();

class StopSignals : public QObject {
    Q_OBJECT
  public:
    explicit StopSignals(QObject *parent = nullptr);
    ~StopSignals() override;

  signals:
    // SIGINT or SIGTERM arrived: its number.
    void stopRequested(int signal);

  private:
    int m_descriptor = -1;
    QSocketNotifier *m_notifier = nullptr;
};

} // namespace krugovik
