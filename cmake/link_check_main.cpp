// The program of a layer's link check: nothing runs, the link itself is the check.
int main() {
  return 0;
}
