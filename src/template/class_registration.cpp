// Registers the template engine's public classes ("Corvela." + class name)
// when libcorvela.so is loaded.
#include <memory>
#include <string>

#include "platform/automation/progid_factory.h"
#include "template/document_field.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_field.h"
#include "template/template_magazine.h"
#include "template/template_response.h"
#include "template/template_system.h"
#include "template/toc.h"

namespace corvela::tmpl {
namespace {

template <class T>
void registerTemplateClass() {
  registerClass("Corvela." + std::string(T::kClassName), [] { return std::make_shared<T>(); });
}

struct TemplateClasses {
  TemplateClasses() {
    registerTemplateClass<TemplateSystem>();
    registerTemplateClass<TemplateDocument>();
    registerTemplateClass<TemplateResponse>();
    registerTemplateClass<DocumentField>();
    registerTemplateClass<TemplateField>();
    registerTemplateClass<comTOC>();
    registerTemplateClass<comLink>();
    registerTemplateClass<TemplateColumn>();
    registerTemplateClass<TemplateColumn2>();
    registerTemplateClass<TemplateMagazine>();
    registerTemplateClass<TemplateIssue>();
  }
};

const TemplateClasses registered;

}  // namespace
}  // namespace corvela::tmpl
