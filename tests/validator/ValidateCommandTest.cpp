// `dorvane-host --validate` and `--list` as a user runs them: the lines,
// the levels, the seed, the report and the exit codes.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

namespace {

struct ValidatorRun {
    int exit_code;
    std::string output;  // standard output and error together
};

// A file of this test's own, apart from those of tests running beside it.
std::string Scratch(const std::string& name) {
    return testing::TempDir() + "dorvane-validate-" + std::to_string(getpid()) + "-" +
           testing::UnitTest::GetInstance()->current_test_info()->name() + "-" + name;
}

ValidatorRun Validator(const std::string& arguments) {
    const std::string output = Scratch("output.txt");
    const std::string command =
        std::string("\"") + DORVANE_HOST_TOOL + "\" " + arguments + " >\"" + output + "\" 2>&1 </dev/null";
    const int status = std::system(command.c_str());
    std::ifstream file(output);
    std::ostringstream text;
    text << file.rdbuf();
    std::remove(output.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
}

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ValidateCommand, ListNamesEveryCheckWithWhatItProves) {
    const ValidatorRun run = Validator("--list");
    EXPECT_EQ(run.exit_code, 0);
    for (const char* name : {"registration.property-list", "commands.render-32bpc", "press.earlier-controls",
                             "faults.every-suite", "spans.three-hours-at-999fps"}) {
        EXPECT_TRUE(Has(run.output, name)) << name;
    }
    EXPECT_TRUE(Has(run.output, "byte for byte"));
}

TEST(ValidateCommand, StopsAtTheLevelPrintsTheSeedAndWritesTheReport) {
    const std::string report = Scratch("report.json");
    const ValidatorRun run = Validator("--validate --level 2 --seed 42 --json \"" + report + "\"");
    EXPECT_EQ(run.exit_code, 0) << run.output;
    EXPECT_TRUE(Has(run.output, ", levels 1 to 2, seed 42\n")) << run.output;
    EXPECT_TRUE(Has(run.output, "\ncommands.render-16bpc  passed  ")) << run.output;
    EXPECT_FALSE(Has(run.output, "press.")) << run.output;
    EXPECT_TRUE(Has(run.output, "\n9 passed, 0 failed\n")) << run.output;

    std::ifstream file(report);
    const nlohmann::json json = nlohmann::json::parse(file);
    std::remove(report.c_str());
    EXPECT_EQ(json.at("format"), "dorvane-validation");
    EXPECT_EQ(json.at("seed"), 42);
    EXPECT_EQ(json.at("level"), 2);
    EXPECT_EQ(json.at("passed"), 9);
    EXPECT_EQ(json.at("failed"), 0);
    ASSERT_EQ(json.at("checks").size(), 9u);
    EXPECT_EQ(json.at("checks")[0].at("name"), "registration.property-list");
    EXPECT_EQ(json.at("checks")[0].at("passed"), true);
}

TEST(ValidateCommand, AFailedCheckSaysWhatItExpectedAndFoundAndFailsTheRun) {
    const ValidatorRun run = Validator("--validate --level 3 --seed 1 --plugin \"" DORVANE_SHORT_KEYS_PLUGIN_PATH "\"");
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_TRUE(Has(run.output, "\npress.fresh-layer  FAILED  ")) << run.output;
    EXPECT_TRUE(Has(run.output, "  expected Camera_Fov with keys: 300, found 299\n")) << run.output;
    EXPECT_TRUE(Has(run.output, "\n9 passed, 3 failed\n")) << run.output;
}

TEST(ValidateCommand, BadArgumentsAreRefusedInOneLine) {
    const struct {
        const char* arguments;
        const char* error;
    } cases[] = {
        {"--validate --level 6", "--level 6: expected a level from 1 to 5\n"},
        {"--level 2", "--level 2: is read only with --validate\n"},
        {"--validate --seed many", "--seed many: expected a whole number from 0 to 18446744073709551615\n"},
        {"--validate --scene examples/orbit-24fps.json", "--scene: not read by --validate; give one or the other\n"},
        {"--validate --list", "--list: names the checks without running them; give it without --validate\n"},
        {"--validate --json /nonexistent-folder/report.json",
         "--json /nonexistent-folder/report.json: cannot be written: No such file or directory\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        const ValidatorRun run = Validator(c.arguments);
        EXPECT_EQ(run.exit_code, 2);
        EXPECT_EQ(run.output, c.error);
    }
}

}  // namespace
