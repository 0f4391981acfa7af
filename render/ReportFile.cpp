#include "render/ReportFile.h"

#include "render/ReportGraphPicture.h"
#include "render/ReportHtml.h"
#include "util/ReplaceFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <QUrl>

namespace {

constexpr int kPdfResolution = 300;

QByteArray Png(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

std::string Html(const CommissioningReport& report) {
    const QString html = ReportHtml(report, [&](int i) {
        return "data:image/png;base64," +
               QString::fromLatin1(Png(ReportGraphPicture(report.graphs[i])).toBase64());
    });
    return html.toStdString();
}

std::string Pdf(const CommissioningReport& report) {
    QTextDocument document;
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPointSize(9);
    document.setDefaultFont(font);
    for (std::size_t i = 0; i < report.graphs.size(); ++i)
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QStringLiteral("graph%1.png").arg(i)),
                             ReportGraphPicture(report.graphs[i]));
    document.setHtml(
        ReportHtml(report, [](int i) { return QStringLiteral("graph%1.png").arg(i); }));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setTitle(QStringLiteral("Отчёт о настройке прибора ZRK640"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                         QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
        // Without a page size of its own the document is paginated for the
        // writer and gets page numbers.
        document.print(&writer);
    }
    return bytes.toStdString();
}

} // namespace

ReportFormat ReportFormatOf(const std::string& path) {
    const QString suffix = QFileInfo(QString::fromStdString(path)).suffix().toLower();
    if (suffix == "pdf")
        return ReportFormat::Pdf;
    if (suffix == "html" || suffix == "htm")
        return ReportFormat::Html;
    return ReportFormat::None;
}

int WriteReport(const CommissioningReport& report, const std::string& path, std::string& error) {
    const ReportFormat format = ReportFormatOf(path);
    if (format == ReportFormat::None) {
        error = "Отчёт сохраняется в файл .pdf или .html";
        return -1;
    }
    return ReplaceFile(path, format == ReportFormat::Pdf ? Pdf(report) : Html(report), error);
}
