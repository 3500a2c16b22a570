// TemplateDocument, DocumentField and TemplateResponse: the values a
// template run reads and the buffer it writes.
#include "template/template_document.h"

#include "platform/automation/member_binding.h"
#include "platform/text/utf8.h"
#include "template/document_field.h"
#include "template/template_response.h"

namespace corvela::tmpl {
namespace {

std::string keyOf(const Variant& key) { return text::toUpper(key.dereferenced().toString()); }

}  // namespace

void TemplateDocument::Add(const Variant& key, const Variant& value) {
  entries_[keyOf(key)] = std::make_shared<DocumentField>(value);
}

void TemplateDocument::addObject(const Variant& key, std::shared_ptr<Object> obj) {
  entries_[keyOf(key)] = std::move(obj);
}

std::shared_ptr<Object> TemplateDocument::Item(const Variant& key) const {
  auto found = entries_.find(keyOf(key));
  if (found != entries_.end()) return found->second;
  return std::make_shared<DocumentField>(Variant(""));
}

Variant TemplateDocument::value(std::string_view key) const {
  auto found = entries_.find(text::toUpper(key));
  if (found == entries_.end()) return Variant();
  auto* field = dynamic_cast<DocumentField*>(found->second.get());
  return field ? field->Value() : Variant();
}

const DispatchTable<TemplateDocument>& TemplateDocument::dispatchTable() {
  static const DispatchTable<TemplateDocument> table = Members<TemplateDocument>()
                                                           .method<&TemplateDocument::Init>("Init")
                                                           .method<&TemplateDocument::Add>("Add")
                                                           .method<&TemplateDocument::addObject>("addObject")
                                                           .readOnly<&TemplateDocument::Item>("Item")
                                                           .asDefault()
                                                           .build();
  return table;
}

const DispatchTable<DocumentField>& DocumentField::dispatchTable() {
  static const DispatchTable<DocumentField> table = [] {
    DispatchTable<DocumentField>::Entry value{
        .name = "Value",
        .get = [](DocumentField& self, Args) { return self.Value(); },
        .let = [](DocumentField& self, Args, const Variant& v) { self.setValue(v.dereferenced()); },
        .set = [](DocumentField& self, Args, const Variant& v) { self.setValue(v); },
        .isDefault = true};
    return Members<DocumentField>().entry(std::move(value)).build();
  }();
  return table;
}

const DispatchTable<TemplateResponse>& TemplateResponse::dispatchTable() {
  static const DispatchTable<TemplateResponse> table =
      Members<TemplateResponse>()
          .property<&TemplateResponse::OutputBuffer, &TemplateResponse::setOutputBuffer>("OutputBuffer")
          .method<&TemplateResponse::Clear>("Clear")
          .method<&TemplateResponse::Output>("Output")
          .build();
  return table;
}

}  // namespace corvela::tmpl
