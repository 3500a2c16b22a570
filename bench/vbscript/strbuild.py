# String building: one million appends to one growing string.
def build():
    s = ""
    for i in range(1, 1000001):
        s += "x" + str(i % 10)
    return s
print(len(build()))
