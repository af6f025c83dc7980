#include "app/help_topics.h"

#include "platform/locations.h"
#include "platform/text.h"

std::filesystem::path DvHelpTopicFile(std::u16string_view topic) {
    if (const size_t separator = topic.find(u"::"); separator != std::u16string_view::npos)
        topic.remove_prefix(separator + 2);
    while (!topic.empty() && (topic.front() == u'/' || topic.front() == u'\\')) topic.remove_prefix(1);
    return dv::resourceFolder() / "help" / dv::toUtf8(topic);
}
