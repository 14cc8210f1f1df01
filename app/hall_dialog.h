#pragma once

#include <QDialog>
#include <QHostAddress>
#include <QImage>
#include <functional>

class QComboBox;
class QLabel;
class QPushButton;
class QSpinBox;

namespace krugovik {

class HallServer;

// The QR code of a text, dark modules on white with the quiet zone around, each module
// `module` pixels square; a null image when the text does not fit a code.
QImage qrImage(const QString &text, int module);

// «Табло в сети»: the hall's server started and stopped, its address and port, and the
// page's address large with its QR code for the phones.
class HallDialog : public QDialog {
    Q_OBJECT
  public:
    // start: listens, returns why it could not (empty when it listens); stop: stops.
    HallDialog(const HallServer *server, QHostAddress address, quint16 port,
               std::function<QString(const QHostAddress &, quint16)> start,
               std::function<void()> stop, QWidget *parent = nullptr);

  private:
    void btnHallStart_Click();
    void btnHallStop_Click();
    void showState(const QString &problem = {});

    const HallServer *m_server;
    std::function<QString(const QHostAddress &, quint16)> m_start;
    std::function<void()> m_stop;
    QComboBox *cboHallAddress;
    QSpinBox *spnHallPort;
    QPushButton *btnHallStart;
    QPushButton *btnHallStop;
    QLabel *lblHallState;
    QLabel *lblHallUrl;
    QLabel *lblHallQr;
};

} // namespace krugovik
