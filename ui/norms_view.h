#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>

class QLabel;
class QPushButton;
class QTableWidget;

namespace krugovik {

class TournamentDocument;
struct TournamentSnapshot;

// «Нормы и рейтинг ФИДЕ»: the event's average and category, whether it can be rated and
// give norms, and each player's FIDE rating change and norms, made or still possible. It
// follows every change of the document.
class NormsView : public QDialog {
    Q_OBJECT
  public:
    NormsView(const TournamentDocument *document, std::function<TournamentSnapshot()> snapshot,
              QWidget *parent = nullptr);

    // Fills the window from the tournament as it stands now.
    void refresh();

  signals:
    // The director asks for the printed forms.
    void certificatesRequested();
    void ratingReportRequested();

  private:
    QPointer<const TournamentDocument> m_document;
    std::function<TournamentSnapshot()> m_snapshot;
    QLabel *lblNormsSummary = nullptr;
    QTableWidget *tblNorms = nullptr;
    QPushButton *cmdNormCertificates = nullptr;
    QPushButton *cmdRatingReport = nullptr;
};

} // namespace krugovik
