#include "ui/translations/XmlReason.h"

#include "ui/translations/SystemReason.h"

#include <QCoreApplication>

namespace ui {

namespace {

struct Status {
    pugi::xml_parse_status status;
    const char* text;
};

// In pugixml's words, which the command line shows.
const Status Statuses[] = {
    {pugi::status_internal_error, QT_TRANSLATE_NOOP("ui::XmlReason", "Internal error occurred")},
    {pugi::status_unrecognized_tag, QT_TRANSLATE_NOOP("ui::XmlReason", "Could not determine tag type")},
    {pugi::status_bad_pi,
     QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing document declaration/processing instruction")},
    {pugi::status_bad_comment, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing comment")},
    {pugi::status_bad_cdata, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing CDATA section")},
    {pugi::status_bad_doctype, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing document type declaration")},
    {pugi::status_bad_pcdata, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing PCDATA section")},
    {pugi::status_bad_start_element, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing start element tag")},
    {pugi::status_bad_attribute, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing element attribute")},
    {pugi::status_bad_end_element, QT_TRANSLATE_NOOP("ui::XmlReason", "Error parsing end element tag")},
    {pugi::status_end_element_mismatch, QT_TRANSLATE_NOOP("ui::XmlReason", "Start-end tags mismatch")},
    {pugi::status_no_document_element, QT_TRANSLATE_NOOP("ui::XmlReason", "No document element found")},
};

} // namespace

QString xmlStatusReason(const std::error_code& error) {
    for (const Status& status : Statuses)
        if (error.value() == status.status)
            return QCoreApplication::translate("ui::XmlReason", status.text);
    return QString::fromStdString(error.message());
}

QString xmlReadReason(const publish::XmlReadResult& problem) {
    if (problem.error.category() != publish::xmlCategory() || problem.offset < 0)
        return systemReason(problem.error);
    return QCoreApplication::translate("ui::XmlReason", "%1 at byte %2")
        .arg(xmlStatusReason(problem.error))
        .arg(problem.offset);
}

} // namespace ui
