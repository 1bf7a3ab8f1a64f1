"""python3 -m survey --version: the library's version and where it was loaded from."""
import argparse
import sys


def main(argv=None):
    ap = argparse.ArgumentParser(prog="python3 -m survey", description="The survey library from Python.")
    ap.add_argument("--version", action="store_true", help="print the library's version")
    ap.add_argument("--where", action="store_true", help="print the library file that was loaded")
    args = ap.parse_args(argv)
    try:
        import survey
    except OSError as err:
        print(f"survey: {err}", file=sys.stderr)
        return 1
    if args.where:
        print(survey.LIBRARY._name)
    if args.version or not args.where:
        print(survey.version())
    return 0


if __name__ == "__main__":
    sys.exit(main())
