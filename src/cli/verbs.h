#pragma once
// The verbs of cargolyx-cli. Each runs on the options its command parsed and returns the
// process exit status (cli/options.h).

struct CliOptions;

int runInfo(const CliOptions& options);
int runPlan(const CliOptions& options);
int runExport(const CliOptions& options);
int runCheck(const CliOptions& options);
