// The shared writer of generated pages.
//
// A new file is created without queueing it for deployment and queued once
// it holds the page, so the deploy targets never receive the empty file.
#include "content/generated_file.h"

#include <string>

#include "content/generation_report.h"
#include "core/path_parts.h"
#include "platform/automation/com_error.h"
#include "sitefiles/file.h"
#include "sitefiles/site_folder.h"
#include "template/template_system.h"

namespace corvela::content {
namespace {

constexpr int kTypeMismatch = 13;

}  // namespace

std::shared_ptr<sitefiles::File> writeGeneratedFile(std::string_view uri, std::string_view text,
                                                    std::string_view title, GenerationReport& report) {
  sitefiles::SiteFolder site;
  const std::string parent = core::NormaliseSeparators(core::ParentPathOf(uri));
  // Walking every level costs a lookup each; most pages go into a folder
  // that is already there.
  if (!site.FolderExists(sitefiles::folderUriForm(parent))) sitefiles::MakeUriFoldersSure(parent);
  std::shared_ptr<sitefiles::File> file;
  if (site.FileExists(uri)) {
    file = site.GetFile(uri);
    report.addOverwritten(uri);
  } else {
    std::string created = site.createEmptyFile(core::NormaliseSeparators(core::ParentFolderOf(uri)), core::FileNameOf(uri));
    file = site.GetFile(created);
    report.addCreated(uri);
  }
  file->setContent(text);
  file->setTitle(title);
  file->Save(file->Locked_By());
  return file;
}

std::shared_ptr<sitefiles::File> renderGeneratedFile(tmpl::TemplateSystem& system, std::string_view templateUri,
                                                     std::string_view uri, std::string_view title,
                                                     GenerationReport& report) {
  std::string page;
  if (!system.render(templateUri, page)) {
    report.addFailed(uri, page);
    return nullptr;
  }
  return writeGeneratedFile(uri, page, title, report);
}

std::shared_ptr<tmpl::TemplateSystem> templateSystemIn(std::shared_ptr<Object>& slot) {
  if (!slot) slot = std::make_shared<tmpl::TemplateSystem>();
  auto system = std::dynamic_pointer_cast<tmpl::TemplateSystem>(slot);
  if (!system) raiseRuntimeError(kTypeMismatch);
  return system;
}

}  // namespace corvela::content
