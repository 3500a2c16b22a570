// What channels and columns share: they own content, schema rows,
// attachments and access entries under one id space, so their cascades,
// counts and access entries are the same statements.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/automation/variant.h"

namespace corvela::core {
class comDAL;
}

namespace corvela::structure {

// "CHANNEL_" + id.
std::string sectionResource(int32_t id);

// Deletes the row of `table` and everything that hangs on the id: content
// with its pages, properties and search rows, schema rows, attachments and
// access entries. Run it inside the caller's transaction scope.
void deleteSectionRows(core::comDAL& dal, std::string_view table, int32_t id);

// Content items of the section; with unpublishedOnly those below status 3.
int32_t sectionContentCount(int32_t clid, bool unpublishedOnly);

// Access entries of a saved section (id 0 or more); nothing for an unsaved one.
void addSectionEntry(int32_t id, std::string_view userId);
void deleteSectionEntry(int32_t id, std::string_view userId);
void clearSectionEntries(int32_t id);

// The attachments of the section: Attach.ListAll(id), reached by ProgID
// ("Corvela.Attach") since attachments belong to the content records.
Variant sectionAttachments(int32_t id);

// The failed input checks of a Save, gathered into one 1051 error.
class InputChecks {
 public:
  void require(bool ok, const char* message);
  // Raises 1051 (empty source) when a check failed.
  void raiseIfFailed() const;

 private:
  std::string failed_;
};

}  // namespace corvela::structure
