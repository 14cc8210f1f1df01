#include "app/hall_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <memory>
#include <qrencode.h>

#include "hall/hall_server.h"

namespace krugovik {

QImage qrImage(const QString &text, int module)
{
    const QByteArray bytes = text.toUtf8();
    const std::unique_ptr<QRcode, void (*)(QRcode *)> code(
        QRcode_encodeString(bytes.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code)
        return {};
    // Four modules of white all round, as readers expect.
    const int quiet = 4;
    const int side = (code->width + 2 * quiet) * module;
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int y = 0; y < code->width; ++y)
        for (int x = 0; x < code->width; ++x)
            if (code->data[y * code->width + x] & 1)
                painter.fillRect((x + quiet) * module, (y + quiet) * module, module, module,
                                 Qt::black);
    return image;
}

HallDialog::HallDialog(const HallServer *server, QHostAddress address, quint16 port,
                       std::function<QString(const QHostAddress &, quint16)> start,
                       std::function<void()> stop, QWidget *parent)
    : QDialog(parent), m_server(server), m_start(std::move(start)), m_stop(std::move(stop))
{
    setObjectName(QStringLiteral("dlgHall"));
    setWindowTitle(tr("Табло в сети"));

    cboHallAddress = new QComboBox(this);
    cboHallAddress->setObjectName(QStringLiteral("cboHallAddress"));
    for (const QHostAddress &choice : hallAddresses()) {
        const QString text = choice.isLoopback()
                                 ? tr("%1 (только этот компьютер)").arg(choice.toString())
                                 : choice.toString();
        cboHallAddress->addItem(text, choice.toString());
    }
    if (const int found = cboHallAddress->findData(address.toString()); found >= 0)
        cboHallAddress->setCurrentIndex(found);
    spnHallPort = new QSpinBox(this);
    spnHallPort->setObjectName(QStringLiteral("spnHallPort"));
    spnHallPort->setRange(1024, 65535);
    spnHallPort->setValue(port);

    btnHallStart = new QPushButton(tr("Включить"), this);
    btnHallStart->setObjectName(QStringLiteral("btnHallStart"));
    btnHallStop = new QPushButton(tr("Выключить"), this);
    btnHallStop->setObjectName(QStringLiteral("btnHallStop"));
    connect(btnHallStart, &QPushButton::clicked, this, &HallDialog::btnHallStart_Click);
    connect(btnHallStop, &QPushButton::clicked, this, &HallDialog::btnHallStop_Click);

    lblHallState = new QLabel(this);
    lblHallState->setObjectName(QStringLiteral("lblHallState"));
    lblHallState->setWordWrap(true);
    lblHallUrl = new QLabel(this);
    lblHallUrl->setObjectName(QStringLiteral("lblHallUrl"));
    lblHallUrl->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont large = lblHallUrl->font();
    large.setPointSizeF(large.pointSizeF() * 2);
    large.setBold(true);
    lblHallUrl->setFont(large);
    lblHallUrl->setAlignment(Qt::AlignCenter);
    lblHallQr = new QLabel(this);
    lblHallQr->setObjectName(QStringLiteral("lblHallQr"));
    lblHallQr->setAlignment(Qt::AlignCenter);

    auto *form = new QFormLayout;
    form->addRow(tr("Адрес:"), cboHallAddress);
    form->addRow(tr("Порт:"), spnHallPort);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(btnHallStart);
    buttons->addWidget(btnHallStop);
    buttons->addStretch();
    auto *close = new QDialogButtonBox(QDialogButtonBox::Close, this);
    close->setObjectName(QStringLiteral("btnHallClose"));
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
    layout->addWidget(lblHallState);
    layout->addWidget(lblHallUrl);
    layout->addWidget(lblHallQr, 1);
    layout->addWidget(close);
    // Wide enough for the address in large type; with the code it still fits a netbook's
    // 1024 × 600.
    setMinimumWidth(460);
    showState();
}

void HallDialog::btnHallStart_Click()
{
    const QString problem = m_start(QHostAddress(cboHallAddress->currentData().toString()),
                                    quint16(spnHallPort->value()));
    showState(problem);
}

void HallDialog::btnHallStop_Click()
{
    m_stop();
    showState();
}

void HallDialog::showState(const QString &problem)
{
    const bool on = m_server && m_server->isListening();
    btnHallStart->setEnabled(!on);
    btnHallStop->setEnabled(on);
    cboHallAddress->setEnabled(!on);
    spnHallPort->setEnabled(!on);
    if (!problem.isEmpty())
        lblHallState->setText(tr("Табло не включилось: %1").arg(problem));
    else if (on)
        lblHallState->setText(
            tr("Табло включено. Откройте этот адрес в браузере телефона или наведите камеру на "
               "код; для экрана в зале добавьте к адресу hall."));
    else
        lblHallState->setText(tr("Табло выключено."));
    const QString url = on ? hallUrl(m_server->address(), m_server->port()) : QString();
    lblHallUrl->setText(url);
    lblHallUrl->setVisible(on);
    // Large enough to be read from a metre away, small enough for a screen of 600 lines.
    lblHallQr->setPixmap(on ? QPixmap::fromImage(qrImage(url, 5)) : QPixmap());
    lblHallQr->setVisible(on);
    adjustSize();
}

} // namespace krugovik
