// Renders the example article template through TemplateSystem.Execute with
// one shared TemplateSystem, as a generator does, for an article of about
// 2 KB on two pages, and prints renders per second and microseconds per
// render. Works in a private temporary installation removed at the end.
//
//   bench_template [renders, default 10000]
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "core/settings_key.h"
#include "platform/automation/collection.h"
#include "platform/automation/oledate.h"
#include "platform/registry/registry.h"
#include "template/template_column.h"
#include "template/template_document.h"
#include "template/template_system.h"

namespace {

using namespace corvela;

std::filesystem::path makeSite() {
  std::string pattern = (std::filesystem::temp_directory_path() / "corvela-bench-XXXXXX").string();
  if (!mkdtemp(pattern.data())) {
    std::perror("mkdtemp");
    std::exit(1);
  }
  std::filesystem::path root = pattern;
  setenv("CORVELA_REGISTRY", (root / "registry").c_str(), 1);
  std::filesystem::create_directories(root / "registry");
  std::filesystem::create_directories(root / "site/templates");
  registry::createKey(core::kSettingsKey);
  registry::writeValue(core::kSettingsKey, core::kSiteDirectoryValue, (root / "site").string());
  std::filesystem::copy_file(std::filesystem::path(EXAMPLE_TEMPLATES) / "article.html",
                             root / "site/templates/article.html");
  return root;
}

std::string articleText() {
  std::string paragraph =
      "<p>The harbour authority said on Monday that the new quay would open in the spring, two months "
      "later than planned, after divers found the old foundations in worse shape than the survey showed.</p>\r\n";
  std::string text;
  while (text.size() < 2048) text += paragraph;
  return text;
}

void fillDocument(tmpl::TemplateSystem& system, const std::string& text) {
  auto document = system.CurrentDocument();
  document->Init(7);
  document->Add(Variant("title"), Variant("New quay opens in the spring"));
  document->Add(Variant("author"), Variant("A. Reporter"));
  document->Add(Variant("submitdate"), Variant::fromDate(45000.5));
  document->Add(Variant("content"), Variant(text));
  document->Add(Variant("pagenum"), Variant(1));
  document->Add(Variant("nextpage"), Variant("/news/2023/7_2.html"));
  document->Add(Variant("url"), Variant("/news/2023/7.html"));
  auto pages = std::make_shared<Collection>();
  pages->add(Variant("/news/2023/7.html"));
  pages->add(Variant("/news/2023/7_2.html"));
  document->addObject(Variant("pages"), pages);
}

}  // namespace

int main(int argc, char** argv) {
  int renders = argc > 1 ? std::atoi(argv[1]) : 10000;
  if (renders <= 0) {
    std::fprintf(stderr, "usage: bench_template [renders]\n");
    return 2;
  }
  std::filesystem::path root = makeSite();
  auto system = std::make_shared<tmpl::TemplateSystem>();
  auto column = system->CurrentColumn();
  column->setName("news");
  column->setAlias("News");
  column->setCoverPage("/news/index.html");
  std::string text = articleText();

  size_t bytes = 0;
  auto start = std::chrono::steady_clock::now();
  for (int i = 0; i < renders; ++i) {
    fillDocument(*system, text);
    std::string page;
    if (!system->render("/templates/article.html", page)) {
      std::fprintf(stderr, "render failed: %s\n", page.c_str());
      return 1;
    }
    bytes += page.size();
  }
  double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::filesystem::remove_all(root);

  std::printf("article template, %zu-byte article, %d renders through one TemplateSystem\n", text.size(), renders);
  std::printf("renders per second: %.0f\n", renders / seconds);
  std::printf("microseconds per render: %.1f (page of %zu bytes)\n", seconds * 1e6 / renders, bytes / renders);
  return 0;
}
