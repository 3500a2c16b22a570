// Helpers of the site-structure tests: errors caught as values, channels and
// columns made through their classes, and the tree text set and stored.
#pragma once

#include <cstdint>
#include <string>

#include "core/core_fixture.h"
#include "platform/automation/com_error.h"

namespace corvela::structure {

using testing::Raised;
using testing::raised;

class StructureTest : public testing::CoreTest {
 protected:
  // A saved channel (not in the tree); returns its id.
  int32_t newChannel(const std::string& name);
  // A saved column, in the magazine when one is given; returns its id.
  int32_t newColumn(const std::string& name = "C", int32_t magazineId = -1);
  // The id as a quoted attribute value: "\"7\"".
  static std::string idAttr(int32_t id) { return "\"" + std::to_string(id) + "\""; }
  // Stores the tree text as it is.
  void storeTree(const std::string& structure);
  // Content of a section with a page, a property value, a search row, a
  // schema row, an attachment and an access entry.
  void addSectionRows(int32_t sectionId, int32_t contentId, int32_t status = 1);
  // Rows addSectionRows made for the section and content that still exist.
  int countSectionRows(int32_t sectionId, int32_t contentId);
};

}  // namespace corvela::structure
