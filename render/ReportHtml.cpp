#include "render/ReportHtml.h"

#include "params/MyConverter.h"

#include <QStringList>

namespace {

QString Text(const std::string& s) {
    return QString::fromStdString(s).toHtmlEscaped();
}

// A value that could not be read stands out without colour.
QString Value(const std::string& value, bool read) {
    return read ? Text(value) : "<b>[" + Text(value) + "]</b>";
}

QString Row(const QStringList& cells, const char* tag = "td") {
    QString row = "<tr>";
    for (const QString& c : cells)
        row += QStringLiteral("<%1>%2</%1>").arg(tag, c);
    return row + "</tr>\n";
}

QString Table(const QStringList& heads, const QString& rows) {
    return "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\" width=\"100%\">\n" +
           Row(heads, "th") + rows + "</table>\n";
}

QString ValueTable(const std::vector<ReportValue>& values) {
    QString rows;
    for (const ReportValue& v : values)
        rows += Row({Text(v.caption), Text(v.key), Value(v.value, v.read)});
    return Table({"Параметр", "Имя", "Значение"}, rows);
}

QString Sections(const std::vector<ReportSection>& sections) {
    QString html;
    for (const ReportSection& s : sections)
        html += "<h3>" + Text(s.title) + "</h3>\n" + ValueTable(s.values);
    return html;
}

QString Identity(const CommissioningReport& r) {
    const auto known = [](const std::string& v) { return Value(v, v != kNoData); };
    QString rows = Row({"Прибор", known(r.model)}) + Row({"Версия", known(r.firmware)}) +
                   Row({"Модификация", known(r.modification)}) +
                   Row({"Число каналов", known(r.channelCount)}) +
                   Row({"Дата", Text(r.date)});
    return "<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">\n" + rows + "</table>\n";
}

QString Links(const std::vector<ReportLink>& links) {
    QString rows;
    for (const ReportLink& l : links)
        rows += Row({Text(l.element), QString::number(l.channel), Text(l.function)});
    return Table({"Выходной элемент", "Канал", "Функция"}, rows);
}

QString Writes(const std::vector<ReportWrite>& writes) {
    QString rows;
    for (std::size_t i = 0; i < writes.size(); ++i) {
        const ReportWrite& w = writes[i];
        rows += Row({QString::number(i + 1), Text(w.key), Text(w.caption),
                     Text(w.oldValue) + " → " + Text(w.newValue)});
    }
    return Table({"№", "Имя", "Параметр", "Было → стало"}, rows);
}

} // namespace

QString ReportHtml(const CommissioningReport& r,
                   const std::function<QString(int graph)>& imageSource) {
    QString html =
        "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\">"
        "<title>Отчёт о настройке прибора</title>"
        "<style>body { font-family: 'DejaVu Sans', sans-serif; font-size: 10pt; color: black; }"
        " table { border-collapse: collapse; margin-bottom: 6pt; }"
        " th { text-align: left; }</style></head><body>\n"
        "<h1>Отчёт о настройке прибора ZRK640</h1>\n" +
        Identity(r);
    if (!r.unread.empty()) {
        QStringList keys;
        for (const std::string& k : r.unread)
            keys << Text(k);
        html += "<p><b>Не удалось прочитать значения (в отчёте отмечены скобками): " +
                keys.join(", ") + "</b></p>\n";
    }
    html += "<h2>Адрес и параметры связи</h2>\n" + ValueTable(r.network);
    html += "<h2>Прибор</h2>\n" + Sections(r.controller);
    html += "<h2>Каналы</h2>\n" + Sections(r.channels);
    html += "<h2>Подключение выходных элементов</h2>\n" + Links(r.links);
    if (!r.graphs.empty())
        html += "<h2>Графики коррекции уставки</h2>\n";
    for (std::size_t i = 0; i < r.graphs.size(); ++i) {
        const ReportGraph& g = r.graphs[i];
        QString rows;
        for (std::size_t n = 0; n < g.nodes.size(); ++n)
            rows += Row({QString::number(n + 1), Text(g.nodes[n].x), Text(g.nodes[n].y)});
        html += "<h3>Канал " + QString::number(g.channel) + "</h3>\n<p><img src=\"" +
                imageSource(int(i)) + "\" width=\"480\"></p>\n" + Table({"Узел", "X", "Y"}, rows);
    }
    if (!r.writes.empty())
        html += "<h2>Записано в прибор за этот сеанс</h2>\n" + Writes(r.writes);
    return html + "</body></html>\n";
}
