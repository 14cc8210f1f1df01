#pragma once

#include <QLabel>

namespace krugovik {

// A label that reports a mouse click, as the round display's boards need.
class ClickableLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

    // The number the label carries besides its caption (a player number).
    QString tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

  private:
    QString m_tag;
};

} // namespace krugovik
