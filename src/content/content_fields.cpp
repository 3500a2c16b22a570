// Content.Fields: the article as the TemplateDocument a template reads.
// Property values come from the database, not from the object, so a
// template shows what was saved.
#include "content/content.h"
#include "content/page.h"
#include "content/property_values.h"
#include "core/com_dal.h"
#include "core/context_votes.h"
#include "platform/automation/collection.h"
#include "platform/automation/com_error.h"
#include "platform/db/recordset.h"
#include "structure/property.h"
#include "structure/schema.h"
#include "template/template_document.h"

namespace corvela::content {
namespace {

constexpr int32_t kSchemaFault = 513;
constexpr const char* kFieldsSource = "Content";
constexpr const char* kUndefinedProperty = "Channel 的Schema错误，属性未定义：";

}  // namespace

std::shared_ptr<tmpl::TemplateDocument> Content::Fields() {
  auto document = std::make_shared<tmpl::TemplateDocument>();
  document->Init(columnId_);
  core::runVoting(nullptr, [&] {
    structure::Schema schema;
    schema.Load(columnId_);
    core::comDAL dal;
    for (const auto& property : schema.properties()) {
      if (property->PropertyID() < 0)
        throw ComError(kSchemaFault, kFieldsSource, kUndefinedProperty + property->PropertyName());
      const std::string type = property->PropertyType();
      std::optional<std::string> column = valueColumnOf(type);
      if (!column) continue;
      auto stored = dal.DoSelect("SELECT " + *column + " FROM ContentProperty WHERE ContentID=" + std::to_string(id_) +
                                 " AND PropertyID=" + std::to_string(property->PropertyID()));
      if (!stored->eof() && !stored->value(size_t{0}).isNull())
        document->Add(Variant(property->PropertyName()), storedPropertyValue(type, stored->value(size_t{0})));
    }
  });
  document->Add(Variant("id"), Variant(id_));
  document->Add(Variant("title"), Variant(title_));
  document->Add(Variant("author"), Variant(author_));
  document->Add(Variant("submitdate"), Variant::fromDate(submitDate_.days));
  document->Add(Variant("putintopx"), Variant(putInTopx_));
  document->Add(Variant("isimagenews"), Variant(isImageNews_));
  document->Add(Variant("publishdate"), Variant::fromDate(publishDate_.days));
  document->Add(Variant("keyword"), Variant(keyword_));
  std::vector<std::shared_ptr<Page>> pages = pageList();
  document->Add(Variant("url"), Variant(pages.empty() ? std::string() : pages.front()->FileName()));
  document->addObject(Variant("RelativeArticle"), RelativeArticles());
  return document;
}

}  // namespace corvela::content
