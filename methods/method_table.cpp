// method_table.cpp: the table of solving methods; adding a method is adding its entry here.
#include "methods/method_table.h"

#include "parberry/parberry_solver.h"
#include "planner/planner_solver.h"
#include "snake/snake_solver.h"

const std::vector<Method>& Methods() {
  static const std::vector<Method> methods = {
      {"solve", "solve current puzzle (Parberry)", parberry::SolveParberry, true},
      {"solve2", "solve current puzzle ('Snakes')", snake::SolveSnakes, true},
      {"solve3", "solve current puzzle (planned walks)", planner::SolvePlanner, false},
  };
  return methods;
}

const Method* FindMethod(const std::string& command) {
  for (const Method& method : Methods()) {
    if (command == method.command) return &method;
  }
  return nullptr;
}
