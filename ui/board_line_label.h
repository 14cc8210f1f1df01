#pragma once

#include "common/clickable_label.h"

namespace krugovik {

// A board line of the round display. Its caption is the whole line, as the protocol
// prints it; a line too wide for the label is drawn smaller or with the middle of the
// longer name left out, and then its tooltip holds the whole line.
class BoardLineLabel : public ClickableLabel {
    Q_OBJECT
  public:
    using ClickableLabel::ClickableLabel;

    // Works out how the caption is drawn and sets the tooltip; painting does it too.
    void fit();
    // What is drawn, and in which font.
    QString shownText() const { return m_shownText; }
    QFont shownFont() const { return m_shownFont; }

  protected:
    void paintEvent(QPaintEvent *event) override;

  private:
    QString m_fittedCaption; // the caption and width the fit was made for
    int m_fittedWidth = -1;
    QFont m_fittedFont;
    QString m_shownText;
    QFont m_shownFont;
};

} // namespace krugovik
