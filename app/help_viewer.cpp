#include "app/help_viewer.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "common/texts.h"

namespace krugovik {
namespace {

const QString kIndex = QStringLiteral("index.md");
// The handbook's pictures are screenshots of the whole window; wider ones are shown
// scaled to this width, so that the text beside them needs no sideways scrolling.
constexpr int kWidestPicture = 700;

// A browser whose pictures fit the window.
class HandbookBrowser : public QTextBrowser {
  public:
    using QTextBrowser::QTextBrowser;

    QVariant loadResource(int type, const QUrl &name) override
    {
        const QVariant resource = QTextBrowser::loadResource(type, name);
        if (type != QTextDocument::ImageResource)
            return resource;
        QImage picture = resource.value<QImage>();
        if (picture.isNull())
            picture.loadFromData(resource.toByteArray());
        if (picture.isNull() || picture.width() <= kWidestPicture)
            return resource;
        return picture.scaledToWidth(kWidestPicture, Qt::SmoothTransformation);
    }
};

} // namespace

QString handbookFolder()
{
    QStringList candidates{QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../share/doc/krugovik/handbook")};
#ifdef KRUGOVIK_SOURCE_DOC
    candidates += QStringLiteral(KRUGOVIK_SOURCE_DOC);
#endif
    // Russian is the handbook's own language; a translation of it lives in a subfolder named
    // by its language code, and its untranslated chapters link back to the Russian ones.
    const QString language = QString::fromStdString(programLanguageCode());
    for (const QString &folder : candidates) {
        if (!QFileInfo::exists(QDir(folder).filePath(kIndex)))
            continue;
        const QDir translated(QDir(folder).filePath(language));
        if (language != QLatin1String("ru") && QFileInfo::exists(translated.filePath(kIndex)))
            return translated.canonicalPath();
        return QDir(folder).canonicalPath();
    }
    return {};
}

HelpViewer::HelpViewer(const QString &folder, QWidget *parent) : QDialog(parent, Qt::Window)
{
    setObjectName(QStringLiteral("dlgHelp"));
    setWindowTitle(tr("Руководство судьи"));
    setModal(false);
    txtHelp = new HandbookBrowser(this);
    txtHelp->setObjectName(QStringLiteral("txtHelp"));
    // Chapters open here; only addresses outside the handbook go to the browser.
    txtHelp->setOpenLinks(true);
    txtHelp->setOpenExternalLinks(true);
    cmdHelpBack = new QToolButton(this);
    cmdHelpBack->setObjectName(QStringLiteral("cmdHelpBack"));
    cmdHelpBack->setText(tr("Назад", "back to the page shown before"));
    cmdHelpBack->setIcon(style()->standardIcon(QStyle::SP_ArrowBack));
    cmdHelpBack->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    cmdHelpBack->setEnabled(false);
    connect(cmdHelpBack, &QToolButton::clicked, txtHelp, &QTextBrowser::backward);
    connect(txtHelp, &QTextBrowser::backwardAvailable, cmdHelpBack, &QToolButton::setEnabled);
    cmdHelpHome = new QToolButton(this);
    cmdHelpHome->setObjectName(QStringLiteral("cmdHelpHome"));
    cmdHelpHome->setText(tr("Оглавление", "the handbook's table of contents"));
    cmdHelpHome->setIcon(style()->standardIcon(QStyle::SP_DirHomeIcon));
    cmdHelpHome->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    connect(cmdHelpHome, &QToolButton::clicked, txtHelp, &QTextBrowser::home);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdHelpBack);
    buttons->addWidget(cmdHelpHome);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(txtHelp);

    if (folder.isEmpty()) {
        txtHelp->setMarkdown(tr("# Руководство не найдено\n\nРуководство ставится вместе с "
                                "программой в папку `share/doc/krugovik/handbook`; там его нет."));
    } else {
        txtHelp->setSearchPaths({folder});
        txtHelp->setSource(QUrl::fromLocalFile(QDir(folder).filePath(kIndex)),
                           QTextDocument::MarkdownResource);
    }
    resize(760, 560);
}

} // namespace krugovik
