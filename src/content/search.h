// Search (ProgID "Corvela.Search"): the public site search over the search
// rows that article generation keeps (SearchMetadata). Every row a search
// returns gains a point; AddClicks counts the clicks on a found file.
//
// A channel path limits a search to that channel and the channels below it
// ("/News" takes "/News" and "/News/Sport", not "/Newsletter"); an empty
// path, or "/", searches the whole site. Query words are separated by "|"
// and match as literal substrings of the title or the metadata ("%" and "_"
// are plain characters); every word must occur.
#pragma once

#include <memory>
#include <string_view>

#include "platform/automation/dispatch_table.h"
#include "platform/automation/oledate.h"

namespace corvela::db {
class Recordset;
}

namespace corvela::content {

class Search : public DispatchObject<Search> {
 public:
  static constexpr std::string_view kClassName = "Search";
  static const DispatchTable<Search>& dispatchTable();

  // The member "Search" (a C++ member cannot carry its class's name): the
  // rows holding every word, by article id, with Title, Filepath, Summary,
  // SubmitDate, Points and Clicks as they were before this search's point.
  std::shared_ptr<db::Recordset> Find(std::string_view ChannelPath, std::string_view Query);
  // Counts a click on the row whose file is FileName.
  void AddClicks(std::string_view FileName);
  // The rows submitted after aDate, by article id, as Find gives them.
  std::shared_ptr<db::Recordset> ListAfterDate(std::string_view ChannelPath, OleDate aDate);
};

}  // namespace corvela::content
