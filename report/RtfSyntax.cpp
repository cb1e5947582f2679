#include "report/RtfSyntax.h"

#include <algorithm>
#include <array>

bool rtf::isHiddenDestination(std::string_view word) {
    // Looked up for every control word of a document: kept sorted, searched by halves.
    static constexpr std::array<std::string_view, 45> kHidden = {
        "annotation",
        "atnauthor",
        "atnid",
        "author",
        "bkmkend",
        "bkmkstart",
        "colorschememapping",
        "colortbl",
        "comment",
        "company",
        "datastore",
        "docvar",
        "filetbl",
        "fldinst",
        "fonttbl",
        "footer",
        "footerf",
        "footerl",
        "footerr",
        "footnote",
        "generator",
        "header",
        "headerf",
        "headerl",
        "headerr",
        "info",
        "latentstyles",
        "listoverridetable",
        "listtable",
        "listtext",
        "nonshppict",
        "operator",
        "pgdsctbl",
        "pntext",
        "pntxta",
        "pntxtb",
        "revtbl",
        "rsidtbl",
        "stylesheet",
        "subject",
        "template",
        "themedata",
        "title",
        "userprops",
        "xmlnstbl",
    };
    static_assert(std::is_sorted(kHidden.begin(), kHidden.end()));
    return std::binary_search(kHidden.begin(), kHidden.end(), word);
}
