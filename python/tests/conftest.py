import os
import sys

# The package of this tree, whatever folder pytest starts in.
sys.path.insert(0, os.path.join(os.path.dirname(__file__), ".."))
