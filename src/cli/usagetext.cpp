#include "cli/usagetext.h"

#include <memory>

#include "model/language.h"

namespace {

bool startsWith(const std::string& text, const std::string& start) { return text.rfind(start, 0) == 0; }

bool endsWith(const std::string& text, const std::string& end) {
  return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// "NAME: rest" → NAME, for CLI11's messages that start with the option's name.
std::string nameBeforeColon(const std::string& text) { return text.substr(0, text.find(": ")); }

}  // namespace

void wordUsage(CLI::App& app) {
  app.option_defaults()->group(inLanguage("选项", "Options"));
  app.set_help_flag("-h,--help", inLanguage("显示本帮助后退出", "print this help and exit"));
  if (currentLanguage() == Language::English) return;
  const auto formatter = app.get_formatter();
  formatter->label("Usage", "用法");
  formatter->label("OPTIONS", "选项");
  formatter->label("SUBCOMMAND", "命令");
  formatter->label("Positionals", "参数");
  formatter->label("REQUIRED", "必需");
  formatter->label("TEXT", "文本");
}

std::string parseErrorText(const CLI::ParseError& error) {
  const std::string what = error.what();
  if (currentLanguage() == Language::English) return what;
  // The checks of the options word their own reasons in the chosen language.
  if (dynamic_cast<const CLI::ValidationError*>(&error) != nullptr) return what;
  if (dynamic_cast<const CLI::ExtrasError*>(&error) != nullptr) return "多余的参数：" + what.substr(what.find(": ") + 2);
  if (dynamic_cast<const CLI::RequiredError*>(&error) != nullptr) {
    if (startsWith(what, "A subcommand is required") || startsWith(what, "Requires"))
      return "须给出一个命令：info、plan、export 或 check";
    if (endsWith(what, " is required")) return "缺少 " + what.substr(0, what.size() - 12);
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&error) != nullptr) {
    if (endsWith(what, " missing")) return nameBeforeColon(what) + " 缺少取值";
    return "参数的个数不对：" + what;
  }
  if (dynamic_cast<const CLI::ConversionError*>(&error) != nullptr) return "参数的值读不懂：" + what;
  return "命令行有误：" + what;
}
