# Integer loop: 30 million additions and remainders.
def loop():
    total = 0
    for i in range(1, 30000001):
        total = total + i % 7
    return total
print(loop())
