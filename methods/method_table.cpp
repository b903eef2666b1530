// method_table.cpp: the table of solving methods; adding a method is adding its entry here.
#include "methods/method_table.h"

#include <algorithm>

#include "parberry/parberry_solver.h"
#include "planner/planner_solver.h"
#include "snake/snake_solver.h"

const std::vector<Method>& Methods() {
  static const std::vector<Method> methods = {
      {"solve", "solve current puzzle (Parberry)", parberry::SolveParberry, true},
      {"solve2", "solve current puzzle ('Snakes')", snake::SolveSnakes, true, snake::PrepareTables},
      {"solve3", "solve current puzzle (planned walks)", planner::SolvePlanner, false,
       planner::PrepareTables},
  };
  return methods;
}

const Method* FindMethod(const std::string& command) {
  for (const Method& method : Methods()) {
    if (command == method.command) return &method;
  }
  return nullptr;
}

std::optional<std::string> ChooseMethods(const std::vector<std::string>& commands,
                                         std::vector<Method>& methods) {
  methods.clear();
  for (const std::string& command : commands) {
    const Method* method = FindMethod(command);
    if (method == nullptr) return command;
    const auto same = [method](const Method& chosen) { return chosen.command == method->command; };
    if (std::none_of(methods.begin(), methods.end(), same)) methods.push_back(*method);
  }
  if (commands.empty()) methods = Methods();
  return std::nullopt;
}
