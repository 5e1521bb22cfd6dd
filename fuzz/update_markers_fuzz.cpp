// The update and file-size markers and the download estimate on any answer:
// a marker's content stands between its two parts in the answer, a size read
// is a 16-bit count, and every estimate is a whole sentence.
#include "common/text_search.h"
#include "fuzz_check.h"
#include "update/download_estimate.h"
#include "update/update_marker.h"

namespace {

bool isSentence(const std::string& text) {
    return text.starts_with("Approximately ") && text.ends_with(".");
}

} // namespace

void fuzzText(std::string_view text) {
    if (const auto url = updateMarkerContent(text)) {
        check(text.find("<!-- [Update] " + *url + " [Update] -->") != std::string_view::npos);
        // From an https site, only an https address is ever offered.
        check(!offersUpdate(*url, "https://s") || toLowerAscii(*url).starts_with("https://"));
    }
    if (const auto kilobytes = fileSizeMarker(text)) {
        check(*kilobytes >= 0 && text.find("<!-- [FSize] ") != std::string_view::npos);
        const auto estimate = downloadTime(std::to_string(*kilobytes));
        check(estimate && isSentence(estimate->at56k) && isSentence(estimate->at128k));
    }
    if (const auto estimate = downloadTime(text)) {
        check(isSentence(estimate->at56k) && isSentence(estimate->at128k));
    }
}
