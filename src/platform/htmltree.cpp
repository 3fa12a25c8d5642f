#include "platform/htmltree.h"

#include "platform/htmlencoding.h"

#include <array>
#include <libxml/HTMLparser.h>

namespace platform {

namespace {

bool holdsOnlyText(const xmlNode *node)
{
    static constexpr std::array<const char *, 11> names = {"textarea", "title", "script", "style",
        "xmp", "plaintext", "noscript", "noembed", "noframes", "iframe", "template"};
    if (node->type != XML_ELEMENT_NODE)
        return false;
    for (const char *name : names) {
        if (xmlStrcasecmp(node->name, reinterpret_cast<const xmlChar *>(name)) == 0)
            return true;
    }
    return false;
}

} // namespace

const xmlNode *nextBuiltNode(const xmlNode *node, const xmlNode *root)
{
    if (node->children && !holdsOnlyText(node))
        return node->children;
    while (node && node != root) {
        if (node->next)
            return node->next;
        node = node->parent;
    }
    return nullptr;
}

xmlNode *nextBuiltNode(xmlNode *node, const xmlNode *root)
{
    return const_cast<xmlNode *>(nextBuiltNode(static_cast<const xmlNode *>(node), root));
}

HtmlDocument readHtmlPage(const QByteArray &page)
{
    const QByteArray text = htmlTextInUtf8(page);
    // The text is decoded already, so a charset the page declares must not decode it again.
    return HtmlDocument(htmlReadMemory(text.constData(), int(text.size()), nullptr, "UTF-8",
        HTML_PARSE_RECOVER | HTML_PARSE_NONET | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING
            | HTML_PARSE_IGNORE_ENC));
}

} // namespace platform
