// comTOC and comLink: plain value holders of index pages.
#include "template/toc.h"

#include "platform/automation/member_binding.h"

namespace corvela::tmpl {

std::shared_ptr<Collection> comTOC::AllLinks() {
  if (!allLinks_) allLinks_ = std::make_shared<Collection>();
  return allLinks_;
}

std::shared_ptr<Collection> comTOC::AllPages() {
  if (!allPages_) allPages_ = std::make_shared<Collection>();
  return allPages_;
}

const DispatchTable<comTOC>& comTOC::dispatchTable() {
  static const DispatchTable<comTOC> table = Members<comTOC>()
                                                 .property<&comTOC::AllLinks, &comTOC::setAllLinks>("AllLinks")
                                                 .property<&comTOC::AllPages, &comTOC::setAllPages>("AllPages")
                                                 .property<&comTOC::NextPage, &comTOC::setNextPage>("NextPage")
                                                 .property<&comTOC::PrevPage, &comTOC::setPrevPage>("PrevPage")
                                                 .property<&comTOC::Pages, &comTOC::setPages>("Pages")
                                                 .property<&comTOC::PageNum, &comTOC::setPageNum>("PageNum")
                                                 .build();
  return table;
}

const DispatchTable<comLink>& comLink::dispatchTable() {
  static const DispatchTable<comLink> table =
      Members<comLink>()
          .property<&comLink::url, &comLink::seturl>("url")
          .property<&comLink::Title, &comLink::setTitle>("Title")
          .property<&comLink::Author, &comLink::setAuthor>("Author")
          .property<&comLink::SubmitDate, &comLink::setSubmitDate>("SubmitDate")
          .property<&comLink::PublishDate, &comLink::setPublishDate>("PublishDate")
          .method<&comLink::Init>("Init")
          .build();
  return table;
}

}  // namespace corvela::tmpl
