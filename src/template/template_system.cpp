// TemplateSystem: compiled programs come from the process-wide cache; every
// run gets a fresh script engine with this call's seven named objects.
#include "template/template_system.h"

#include <charconv>

#include "core/regrw.h"
#include "core/settings_key.h"
#include "core/site_paths.h"
#include "platform/automation/com_error.h"
#include "platform/automation/member_binding.h"
#include "platform/vbscript/script_engine.h"
#include "structure/channel.h"
#include "structure/channel_manager.h"
#include "template/channel_views.h"
#include "template/compiled_template_cache.h"
#include "template/template_column.h"
#include "template/template_compiler.h"
#include "template/template_document.h"
#include "template/template_magazine.h"
#include "template/template_response.h"
#include "template/url_text.h"

namespace corvela::tmpl {
namespace {

// Loop jumps and calls one page may take before it is stopped with an error
// text, from the TemplateStepLimit setting; 0 (also for a missing or
// unreadable value) lets a template run as long as it likes. A generator
// whose template loops for ever would otherwise never return.
constexpr std::string_view kStepLimitValue = "TemplateStepLimit";

uint64_t templateStepLimit() {
  std::string text = core::RegRW::readValue(core::kSettingsKey, kStepLimitValue);
  uint64_t limit = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), limit);
  return error == std::errc() && end == text.data() + text.size() ? limit : 0;
}

template <class T>
const std::shared_ptr<T>& createdOnRead(std::shared_ptr<T>& slot) {
  if (!slot) slot = std::make_shared<T>();
  return slot;
}

}  // namespace

TemplateSystem::TemplateSystem() = default;
TemplateSystem::~TemplateSystem() = default;

std::shared_ptr<TemplateDocument> TemplateSystem::CurrentDocument() { return createdOnRead(document_); }
std::shared_ptr<TemplateResponse> TemplateSystem::Response() { return createdOnRead(response_); }
std::shared_ptr<TemplateColumn> TemplateSystem::CurrentColumn() { return createdOnRead(column_); }
std::shared_ptr<TemplateColumn2> TemplateSystem::CurrentColumn2() { return createdOnRead(column2_); }
std::shared_ptr<TemplateMagazine> TemplateSystem::CurrentMagazine() { return createdOnRead(magazine_); }
std::shared_ptr<TemplateIssue> TemplateSystem::CurrentIssue() { return createdOnRead(issue_); }

std::string TemplateSystem::URLMap(std::string_view baseUrl, std::string_view newUrl) {
  return urlMap(baseUrl, newUrl);
}
std::string TemplateSystem::URLEncode(std::string_view vstrIn) { return urlEncode(vstrIn); }
std::string TemplateSystem::URLEncodeUtf(std::string_view gbString) { return urlEncodeUtf(gbString); }

std::string templateErrorText(std::string_view description, int line, int column, std::string_view sourceLine) {
  std::string text(description);
  text += "\r\nError At Line " + std::to_string(line) + " ,Column " + std::to_string(column) + " ,\r\n";
  text += sourceLine;
  return text;
}

bool TemplateSystem::render(std::string_view scriptUri, std::string& page) {
  page.clear();
  try {
    Response()->Clear();
    vbs::ScriptError error;
    auto compiled = compiledTemplateAt(core::UriToPath(scriptUri), error);
    if (error.number != 0) {
      page = templateErrorText(error.description, error.line, error.column, error.text);
      return false;
    }
    if (!compiled || !compiled->program) return true;

    vbs::ScriptEngine engine;
    engine.setStepLimit(templateStepLimit());
    engine.addObject("System", shared_from_this());
    engine.addObject("Document", CurrentDocument());
    engine.addObject("Response", response_);
    engine.addObject("Channel", CurrentColumn());
    engine.addObject("Column", CurrentColumn2());
    engine.addObject("Magazine", CurrentMagazine());
    engine.addObject("Issue", CurrentIssue());
    if (!engine.run(*compiled->program)) {
      const vbs::ScriptError& failure = engine.error();
      page = templateErrorText(failure.description, failure.line, failure.column, failure.text);
      return false;
    }
    page = stripMetadata(response_->OutputBuffer());
    document_ = std::make_shared<TemplateDocument>();
    return true;
  } catch (const ComError& failure) {
    page = failure.description();
    return false;
  }
}

std::string TemplateSystem::Execute(std::string_view scriptUri) {
  std::string page;
  render(scriptUri, page);
  return page;
}

std::shared_ptr<TemplateColumn> TemplateSystem::GetChannel(std::string_view columnUri) {
  auto tree = loadedChannelTree();
  int32_t id = tree->GetChannelID(columnUri);
  structure::Channel channel;
  channel.Load(id);
  auto view = std::make_shared<TemplateColumn>();
  view->Init(id);
  view->setName(lastPathSegment(columnUri));
  view->setPath(tree->GetPath(id));
  view->setCoverPage(channel.IndexPath());
  return view;
}

const DispatchTable<TemplateSystem>& TemplateSystem::dispatchTable() {
  using S = TemplateSystem;
  static const DispatchTable<S> table = Members<S>()
                                            .property<&S::CurrentDocument, &S::setCurrentDocument>("CurrentDocument")
                                            .property<&S::Response, &S::setResponse>("Response")
                                            .property<&S::CurrentColumn, &S::setCurrentColumn>("CurrentColumn")
                                            .property<&S::CurrentColumn2, &S::setCurrentColumn2>("CurrentColumn2")
                                            .property<&S::CurrentMagazine, &S::setCurrentMagazine>("CurrentMagazine")
                                            .property<&S::CurrentIssue, &S::setCurrentIssue>("CurrentIssue")
                                            .method<&S::URLMap>("URLMap")
                                            .method<&S::URLEncode>("URLEncode")
                                            .method<&S::URLEncodeUtf>("URLEncodeUtf")
                                            .method<&S::Execute>("Execute")
                                            .method<&S::GetChannel>("GetChannel")
                                            .build();
  return table;
}

}  // namespace corvela::tmpl
