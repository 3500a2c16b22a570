// Related articles of an article: a document "<relativearticle>" with one
// "<id>" element per related article, kept in the article's row.
//
// Mended here: an empty keyword (as in "a,,b" or a trailing comma) no longer
// relates the article to every other one, and "%" and "_" in a keyword match
// themselves; an id element whose text is no number names no article and is
// passed over like a deleted one.
#include <charconv>

#include "content/content.h"
#include "core/com_dal.h"
#include "core/context_votes.h"
#include "core/record_values.h"
#include "core/sql_inputs.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "platform/xml/xml_node.h"
#include "platform/xml/xml_node_list.h"

namespace corvela::content {
namespace {

using xml::XmlNode;

constexpr int32_t kInvalidXmlError = 555;
constexpr const char* kRelatedSource = "Content.Fields";
constexpr const char* kInvalidXml = "InvalidXML";
constexpr const char* kRootName = "relativearticle";
constexpr const char* kIdName = "id";
constexpr size_t kMostRelated = 200;

std::shared_ptr<XmlNode> parsedList(const std::string& text) {
  auto document = XmlNode::newDocument();
  if (!document->loadXML(text)) throw ComError(kInvalidXmlError, kRelatedSource, kInvalidXml);
  return document;
}

std::vector<std::shared_ptr<XmlNode>> idElements(const XmlNode& document) {
  std::vector<std::shared_ptr<XmlNode>> ids;
  std::shared_ptr<XmlNode> root = document.documentElement();
  if (!root || root->nodeName() != kRootName) return ids;
  std::shared_ptr<xml::XmlNodeList> children = root->childNodes();
  for (const auto& node : children->nodes()) {
    auto element = std::dynamic_pointer_cast<XmlNode>(node);
    if (element && element->nodeType() == xml::kElementNode && element->nodeName() == kIdName)
      ids.push_back(std::move(element));
  }
  return ids;
}

// Appends an id element unless the list holds one with that text.
void addId(XmlNode& document, int32_t id) {
  const std::string text = std::to_string(id);
  for (const auto& element : idElements(document))
    if (element->text() == text) return;
  std::shared_ptr<XmlNode> root = document.documentElement();
  if (!root) root = document.appendChild(document.createElement(kRootName));
  auto element = document.createElement(kIdName);
  element->setText(text);
  root->appendChild(element);
}

std::vector<std::string> keywordsOf(std::string_view keywords) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start <= keywords.size()) {
    size_t comma = keywords.find(',', start);
    if (comma == std::string_view::npos) comma = keywords.size();
    if (comma > start) list.emplace_back(keywords.substr(start, comma - start));
    start = comma + 1;
  }
  return list;
}

}  // namespace

std::vector<int32_t> Content::relatedIds() const {
  std::vector<int32_t> ids;
  for (const auto& element : idElements(*parsedList(relatedXml_))) {
    const std::string text = element->text();
    int32_t id = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
    if (error == std::errc() && end == text.data() + text.size()) ids.push_back(id);
  }
  return ids;
}

std::shared_ptr<Collection> Content::RelativeArticles() {
  auto articles = std::make_shared<Collection>();
  for (int32_t id : relatedIds()) {
    auto article = std::make_shared<Content>();
    try {
      article->Load(id);
    } catch (const ComError& error) {
      if (error.number() != core::kNoRecordError) throw;
      continue;
    }
    articles->add(Variant(std::shared_ptr<Object>(article)));
  }
  return articles;
}

void Content::AddRelativeArticle(int32_t cid) {
  std::shared_ptr<XmlNode> document = parsedList(relatedXml_);
  addId(*document, cid);
  relatedXml_ = document->xml();
}

void Content::ClearRelativeArticle() { relatedXml_ = kEmptyRelatedList; }

void Content::CreateRelative() {
  ClearRelativeArticle();
  std::string condition = "(1<>1)";
  for (const std::string& keyword : keywordsOf(keyword_))
    condition += " OR (cms_content.keyword + ',' LIKE '%" + core::likeLiteralText(keyword) + ",%'" +
                 core::kLikeEscape + ")";
  auto rows = core::runVoting(nullptr, [&] {
    return core::comDAL().DoSelect("SELECT top " + std::to_string(kMostRelated) +
                                   " cms_content.id FROM cms_content WHERE (" + condition +
                                   ") ORDER BY PublishDate DESC");
  });
  std::shared_ptr<XmlNode> document = parsedList(relatedXml_);
  for (; !rows->eof(); rows->moveNext()) {
    int32_t id = core::longValue(rows->value("id"));
    if (id != id_) addId(*document, id);
  }
  relatedXml_ = document->xml();
}

}  // namespace corvela::content
