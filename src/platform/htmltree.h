#pragma once

#include <QByteArray>
#include <libxml/tree.h>
#include <memory>

namespace platform {

struct HtmlDocumentFree
{
    void operator()(xmlDoc *document) const { xmlFreeDoc(document); }
};
using HtmlDocument = std::unique_ptr<xmlDoc, HtmlDocumentFree>;

// A page's bytes parsed as a browser reads them: decoded in the encoding it declares or the one
// browsers fall back to (htmlencoding.h), with malformed markup repaired; null only when
// nothing could be parsed. Both the frameset and the image-map readers read pages with it.
HtmlDocument readHtmlPage(const QByteArray &page);

// The node after `node` in document order within `root`'s subtree, or nullptr, among the nodes
// a browser builds: what a parser that does not know HTML's text-only elements read as markup
// inside TEXTAREA, TITLE, SCRIPT, STYLE, XMP, PLAINTEXT, NOSCRIPT, NOEMBED, NOFRAMES, IFRAME and
// TEMPLATE (a "copy this code" box, a sample in a script) is skipped, as browsers take it for
// text or keep it out of the page. Walks without recursion, so a deeply nested page cannot
// exhaust the stack. Both the frameset and the image-map readers walk pages with it.
const xmlNode *nextBuiltNode(const xmlNode *node, const xmlNode *root);
xmlNode *nextBuiltNode(xmlNode *node, const xmlNode *root);

} // namespace platform
