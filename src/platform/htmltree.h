#pragma once

#include <libxml/tree.h>

namespace platform {

// The node after `node` in document order within `root`'s subtree, or nullptr, among the nodes
// a browser builds: what a parser that does not know HTML's text-only elements read as markup
// inside TEXTAREA, TITLE, SCRIPT, STYLE, XMP, PLAINTEXT, NOSCRIPT, NOEMBED, NOFRAMES, IFRAME and
// TEMPLATE (a "copy this code" box, a sample in a script) is skipped, as browsers take it for
// text or keep it out of the page. Walks without recursion, so a deeply nested page cannot
// exhaust the stack. Both the frameset and the image-map readers walk pages with it.
const xmlNode *nextBuiltNode(const xmlNode *node, const xmlNode *root);
xmlNode *nextBuiltNode(xmlNode *node, const xmlNode *root);

} // namespace platform
