#pragma once

class PageHost;

namespace OnlineUpload {

// The export page's upload of every title (button btQuorExport): each title
// in list order, with the wait cursor; status message 16 once all went
// through, 19 at the first request that failed (the titles before it stay
// sent). The collection is not changed.
void btQuorExport_Click(PageHost& host);

} // namespace OnlineUpload
