#include "reports/ReportPreview.h"

#include "reports/ReportSeams.h"
#include "reports/engine/ReportPainter.h"
#include "seams/Messages.h"
#include "seams/Shell.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace reports {

namespace {
QToolButton *button(QWidget *parent, QHBoxLayout *bar, const QString &name, const QString &text,
                    const QString &hint)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(name);
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    bar->addWidget(b);
    return b;
}
} // namespace

ReportPreview::ReportPreview(const PageModel &pages, const QString &title, QWidget *parent)
    : QWidget(parent, Qt::Window), pages_(pages), title_(title)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(QStringLiteral("ReportPreview"));
    setWindowTitle(title.isEmpty() ? QStringLiteral("Visualização de impressão") : title);

    auto *bar = new QHBoxLayout;
    auto *print = button(this, bar, QStringLiteral("bntImprimir"), QStringLiteral("Imprimir"),
                         QStringLiteral("Imprimir"));
    auto *save = button(this, bar, QStringLiteral("bntSalvar"), QStringLiteral("Salvar"),
                        QStringLiteral("Salvar em PDF"));
    bar->addSpacing(12);
    auto *fitPage = button(this, bar, QStringLiteral("bntPaginaInteira"), QStringLiteral("Página inteira"),
                           QStringLiteral("Ajustar a página à janela"));
    auto *fitWidth = button(this, bar, QStringLiteral("bntLargura"), QStringLiteral("Largura"),
                            QStringLiteral("Ajustar à largura da janela"));
    auto *actual = button(this, bar, QStringLiteral("bntTamanhoReal"), QStringLiteral("100%"),
                          QStringLiteral("Tamanho real"));
    bar->addSpacing(12);
    first_ = button(this, bar, QStringLiteral("bntPrimeira"), QStringLiteral("|<"),
                    QStringLiteral("Primeira página"));
    prior_ = button(this, bar, QStringLiteral("bntAnterior"), QStringLiteral("<"),
                    QStringLiteral("Página anterior"));
    pageLabel_ = new QLabel(this);
    pageLabel_->setObjectName(QStringLiteral("lbPagina"));
    bar->addWidget(pageLabel_);
    next_ = button(this, bar, QStringLiteral("bntProxima"), QStringLiteral(">"),
                   QStringLiteral("Próxima página"));
    last_ =
        button(this, bar, QStringLiteral("bntUltima"), QStringLiteral(">|"), QStringLiteral("Última página"));
    bar->addStretch();
    auto *close =
        button(this, bar, QStringLiteral("bntFechar"), QStringLiteral("Fechar"), QStringLiteral("Fechar"));

    area_ = new QScrollArea(this);
    area_->setObjectName(QStringLiteral("areaPagina"));
    area_->setAlignment(Qt::AlignCenter);
    area_->setBackgroundRole(QPalette::Dark);
    view_ = new QLabel;
    view_->setObjectName(QStringLiteral("imgPagina"));
    area_->setWidget(view_);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(area_, 1);

    connect(print, &QToolButton::clicked, this, [this] { printDocument(); });
    connect(save, &QToolButton::clicked, this, [this] { saveDocument(); });
    connect(fitPage, &QToolButton::clicked, this, [this] { setZoom(Zoom::FitPage); });
    connect(fitWidth, &QToolButton::clicked, this, [this] { setZoom(Zoom::FitWidth); });
    connect(actual, &QToolButton::clicked, this, [this] { setZoom(Zoom::Actual); });
    connect(first_, &QToolButton::clicked, this, [this] { showPage(0); });
    connect(prior_, &QToolButton::clicked, this, [this] { showPage(page_ - 1); });
    connect(next_, &QToolButton::clicked, this, [this] { showPage(page_ + 1); });
    connect(last_, &QToolButton::clicked, this, [this] { showPage(pageCount() - 1); });
    connect(close, &QToolButton::clicked, this, &QWidget::close);

    // A normal window, not maximised, large enough for a portrait page to be read.
    resize(900, 720);
    updateControls();
    render();
}

void ReportPreview::showPage(int page)
{
    if (pageCount() == 0)
        return;
    page_ = qBound(0, page, pageCount() - 1);
    updateControls();
    render();
}

void ReportPreview::setZoom(Zoom zoom)
{
    zoom_ = zoom;
    render();
}

void ReportPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (zoom_ != Zoom::Actual)
        render();
}

void ReportPreview::render()
{
    if (pageCount() == 0 || pages_.pageSize.isEmpty())
        return;
    const QSize room = area_->viewport()->size() - QSize(16, 16);
    const double widthDpi = room.width() * 25.4 / pages_.pageSize.width();
    const double heightDpi = room.height() * 25.4 / pages_.pageSize.height();
    switch (zoom_) {
    case Zoom::FitPage:
        dpi_ = qMin(widthDpi, heightDpi);
        break;
    case Zoom::FitWidth:
        dpi_ = widthDpi;
        break;
    case Zoom::Actual:
        dpi_ = logicalDpiX();
        break;
    }
    dpi_ = qMax(dpi_, 10.0);
    const QImage img = ReportPainter::renderPage(pages_, page_, dpi_);
    view_->setPixmap(QPixmap::fromImage(img));
    view_->resize(img.size());
}

void ReportPreview::updateControls()
{
    pageLabel_->setText(QStringLiteral("Página %1 de %2").arg(pageCount() ? page_ + 1 : 0).arg(pageCount()));
    first_->setEnabled(page_ > 0);
    prior_->setEnabled(page_ > 0);
    next_->setEnabled(page_ + 1 < pageCount());
    last_->setEnabled(page_ + 1 < pageCount());
}

bool ReportPreview::saveDocument()
{
    const QString suggested =
        (title_.isEmpty() ? QStringLiteral("relatorio") : title_) + QStringLiteral(".pdf");
    QString path = seams::shell().saveFileName(this, QStringLiteral("Salvar relatório"), suggested,
                                               QStringLiteral("Arquivo PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    QString error;
    if (!ReportPainter::writePdf(pages_, path, title_, &error)) {
        seams::showError(QStringLiteral("Não foi possível salvar o arquivo %1: %2").arg(path, error), this);
        return false;
    }
    return true;
}

bool ReportPreview::printDocument()
{
    return printSeam().print(this, pages_, title_);
}

} // namespace reports
